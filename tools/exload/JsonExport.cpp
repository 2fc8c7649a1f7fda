#include "JsonExport.h"

#include <string>
#include <vector>

#include "JsonWriter.h"
#include "ModelMembers.h"

namespace exload {

namespace {

class JsonVisitor {
public:
    explicit JsonVisitor(JsonWriter& w) : m_w(w) {}

    void Kind(const char*) {}

    void operator()(const char* key, int n)
    {
        m_w.Key(key);
        m_w.Integer(n);
    }
    void operator()(const char* key, double d)
    {
        m_w.Key(key);
        m_w.Number(d);
    }
    void operator()(const char* key, const std::string& s)
    {
        m_w.Key(key);
        m_w.String(s);
    }
    void operator()(const char* key, const std::vector<std::string>& sa)
    {
        m_w.Key(key);
        m_w.BeginArray();
        for (const std::string& s : sa)
            m_w.String(s);
        m_w.EndArray();
    }
    void operator()(const char* key, const CExPt& pt)
    {
        m_w.Key(key);
        Point(pt);
    }
    void operator()(const char* key, const CExPtArray& pts)
    {
        m_w.Key(key);
        m_w.BeginArray();
        for (const CExPt& pt : pts)
            Point(pt);
        m_w.EndArray();
    }

    template <class T>
    void Obj(const char* key, const T* p)
    {
        m_w.Key(key);
        Object(p);
    }
    template <class A>
    void Arr(const char* key, const A* p)
    {
        m_w.Key(key);
        if (p)
            Elements(*p);
        else
            m_w.Null();
    }
    template <class A>
    void Items(const char* key, const A& a)
    {
        m_w.Key(key);
        Elements(a);
    }

    template <class T>
    void Object(const T* p)
    {
        if (!p) {
            m_w.Null();
            return;
        }
        m_w.BeginObject();
        ex::Describe(*this, *p);
        m_w.EndObject();
    }

private:
    template <class A>
    void Elements(const A& a)
    {
        m_w.BeginArray();
        for (const auto* p : a)
            Object(p);
        m_w.EndArray();
    }

    void Point(const CExPt& pt)
    {
        m_w.BeginObject();
        m_w.Key("dR");
        m_w.Number(pt.dR);
        m_w.Key("dX");
        m_w.Number(pt.dX);
        m_w.Key("dY");
        m_w.Number(pt.dY);
        m_w.EndObject();
    }

    JsonWriter& m_w;
};

} // namespace

bool WriteJson(const CExExpedition& root, std::FILE* out)
{
    JsonWriter w(out);
    JsonVisitor v(w);
    w.BeginObject();
    // The two process-wide values of the load come first.
    w.Key("g_sUnits");
    w.String(g_sUnits);
    w.Key("g_sPadstackTechnology");
    w.String(g_sPadstackTechnology);
    ex::Describe(v, root);
    w.EndObject();
    std::fputc('\n', out);
    return std::fflush(out) == 0 && !std::ferror(out);
}

} // namespace exload
