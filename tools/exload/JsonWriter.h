#pragma once

// A JSON writer that emits as it goes: braces, keys and values straight to a
// file, so that output of any size needs no more memory than one value.
// nlohmann-json serialises the strings (escaping, bytes that are no UTF-8).

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace exload {

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : m_out(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // A key of the current object; keys are plain member names.
    void Key(std::string_view key);
    void String(std::string_view s);
    void Number(double d);    // infinities and NaN become null
    void Integer(std::int64_t n);
    void Null();

private:
    void BeforeValue();
    void Open(char c);
    void Close(char c);
    void Put(std::string_view s) { std::fwrite(s.data(), 1, s.size(), m_out); }

    std::FILE* m_out;
    std::vector<bool> m_first;  // per open container: nothing written in it yet
    bool m_bAfterKey = false;
};

} // namespace exload
