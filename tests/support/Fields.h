#pragma once

// An object of the model as one line of text, so that a test compares what a
// parse built with one string: each member that differs from its default as
// name=value, in declaration order; an owned object as Class{...}; arrays in
// brackets; points as (x,y) or (x,y,r). Numbers keep ten digits.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "ModelMembers.h"
#include "expedition.h"
#include "core/ExPt.h"

namespace test {

class FieldWriter {
public:
    void Kind(const char* kind) { m_kind = kind; }
    void operator()(const char* name, int v)
    {
        if (v != 0)
            Put(name, std::to_string(v));
    }
    void operator()(const char* name, double v)
    {
        if (v != 0.0)
            Put(name, Number(v));
    }
    void operator()(const char* name, const std::string& v)
    {
        if (!v.empty())
            Put(name, v);
    }
    void operator()(const char* name, const std::vector<std::string>& v)
    {
        if (v.empty())
            return;
        std::string s;
        for (const std::string& item : v) {
            s += s.empty() ? '[' : '|';
            s += item;
        }
        Put(name, s + "]");
    }
    void operator()(const char* name, const CExPt& p)
    {
        if (p.dX != 0.0 || p.dY != 0.0 || p.dR != 0.0)
            Put(name, Point(p));
    }
    void operator()(const char* name, const CExPtArray& a)
    {
        std::string s;
        for (const CExPt& p : a)
            s += Point(p);
        if (!s.empty())
            Put(name, s);
    }
    template <class T>
    void Obj(const char* name, const T* p)
    {
        if (p)
            Put(name, Object(*p));
    }
    template <class A>
    void Arr(const char* name, const A* p)
    {
        if (p)
            Items(name, *p);
    }
    template <class A>
    void Items(const char* name, const A& a)
    {
        std::string s;
        for (const auto* p : a) {
            s += s.empty() ? '[' : ' ';
            s += p ? Object(*p) : "null";
        }
        if (!s.empty())
            Put(name, s + "]");
    }

    template <class T>
    static std::string Object(const T& o)
    {
        FieldWriter w;
        ex::Describe(w, o);
        return w.m_kind + "{" + w.m_text + "}";
    }
    template <class T>
    static std::string Fields(const T& o)
    {
        FieldWriter w;
        ex::Describe(w, o);
        return w.m_text;
    }

private:
    static std::string Number(double v)
    {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.10g", v);
        return buf;
    }
    static std::string Point(const CExPt& p)
    {
        return "(" + Number(p.dX) + "," + Number(p.dY) + (p.dR != 0.0 ? "," + Number(p.dR) : "") + ")";
    }
    void Put(const char* name, const std::string& value)
    {
        if (!m_text.empty())
            m_text += ' ';
        m_text.append(name).append("=").append(value);
    }

    std::string m_kind;
    std::string m_text;
};

// The members of o that differ from their defaults.
template <class T>
std::string Fields(const T& o)
{
    return FieldWriter::Fields(o);
}

// The same behind o's exact class name: "CExRound{dDiameter=2}".
template <class T>
std::string Object(const T& o)
{
    return FieldWriter::Object(o);
}

// The sizes of o's arrays that are not empty, as name=size: which member
// the records reached.
class CountWriter {
public:
    void Kind(const char*) {}
    template <class T>
    void operator()(const char*, const T&)
    {
    }
    void operator()(const char* name, const CExPtArray& a) { Put(name, a.GetSize()); }
    template <class T>
    void Obj(const char*, const T*)
    {
    }
    template <class A>
    void Arr(const char* name, const A* p)
    {
        if (p)
            Put(name, p->GetSize());
    }
    template <class A>
    void Items(const char* name, const A& a)
    {
        Put(name, a.GetSize());
    }
    std::string m_text;

private:
    void Put(const char* name, std::int64_t n)
    {
        if (n == 0)
            return;
        if (!m_text.empty())
            m_text += ' ';
        m_text.append(name).append("=").append(std::to_string(n));
    }
};

template <class T>
std::string Counts(const T& o)
{
    CountWriter w;
    ex::Describe(w, o);
    return w.m_text;
}

// The elements of a pointer array, each as Object, blank-separated.
template <class A>
std::string Items(const A& array)
{
    std::string s;
    for (const auto* p : array) {
        if (!s.empty())
            s += ' ';
        s += p ? Object(*p) : "null";
    }
    return s;
}

} // namespace test
