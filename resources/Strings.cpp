#include "resources/Resources.h"

#include <algorithm>
#include <iterator>

namespace korvane::res {

namespace {

struct StringEntry {
    int id;
    const char* text;
};

// Sorted by id.
constexpr StringEntry kStrings[] = {
    {401, "não foi possível compreender"},
    {406, "dados inconsistentes"},
    {409, "nada a fazer"},
    {417, "fora dos limites"},
    {424, "faltam dados"},
    {501, "excesso de argumentos"},
    {508, "parenteses descasados"},
    {512, "faltam ="},
};

} // namespace

const char* String(int id) {
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const StringEntry& e, int key) { return e.id < key; });
    return it != std::end(kStrings) && it->id == id ? it->text : nullptr;
}

std::string Message(int code) {
    if (const char* text = String(400 + code))
        return text;
    return "erro " + std::to_string(code);
}

} // namespace korvane::res
