#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <string>

#include <nlohmann/json.hpp>

namespace exload {

void JsonWriter::BeforeValue()
{
    if (m_bAfterKey) {
        m_bAfterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            std::fputc(',', m_out);
        m_first.back() = false;
    }
}

void JsonWriter::Open(char c)
{
    BeforeValue();
    std::fputc(c, m_out);
    m_first.push_back(true);
}

void JsonWriter::Close(char c)
{
    m_first.pop_back();
    std::fputc(c, m_out);
}

void JsonWriter::Key(std::string_view key)
{
    if (!m_first.back())
        std::fputc(',', m_out);
    m_first.back() = false;
    std::fputc('"', m_out);
    Put(key);
    Put("\":");
    m_bAfterKey = true;
}

void JsonWriter::String(std::string_view s)
{
    BeforeValue();
    // Design files are 8-bit text: bytes that are no UTF-8 become U+FFFD
    // instead of ending the export.
    Put(nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void JsonWriter::Number(double d)
{
    if (!std::isfinite(d)) {
        Null();
        return;
    }
    BeforeValue();
    char buf[32];
    // Shortest text that reads back as the same double.
    const auto r = std::to_chars(buf, buf + sizeof buf, d);
    Put(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

void JsonWriter::Integer(std::int64_t n)
{
    BeforeValue();
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    Put(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
}

void JsonWriter::Null()
{
    BeforeValue();
    Put("null");
}

} // namespace exload
