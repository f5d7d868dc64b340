#pragma once
// The equations of a graph window: 401 slots of ExampleRecord, the index of the last used
// one (-1 when empty) and a short name per slot. Slots above the last keep their contents.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "plane/ExampleRecord.h"

namespace korvane {

inline constexpr int kExampleSlots = 401;
inline constexpr int kExampleNameLength = 20;

class ExampleTable {
public:
    ExampleTable();
    ExampleTable(ExampleTable&&) noexcept = default;
    ExampleTable& operator=(ExampleTable&&) noexcept = default;

    std::int16_t LastExample() const { return lastExample_; }
    int Count() const { return lastExample_ + 1; }
    bool Full() const { return lastExample_ >= kExampleSlots - 1; }

    ExampleRecord& operator[](int index) { return (*slots_)[static_cast<std::size_t>(index)]; }
    const ExampleRecord& operator[](int index) const {
        return (*slots_)[static_cast<std::size_t>(index)];
    }

    const std::string& Name(int index) const { return (*names_)[static_cast<std::size_t>(index)]; }
    // Cut to 20 characters, never inside one (a Windows-1252 name of at most 20 bytes is
    // kept as it is).
    void SetName(int index, std::string_view name);

    // Takes slot lastExample + 1 for a new example of `kind`; -1 when all slots are used
    // (the caller reports code 4).
    int Append(std::int16_t kind, std::int16_t colour);
    // Gives back the last slot (a cancelled new example).
    void ReleaseLast();
    // Deletes the example and every example derived from it, directly or through another
    // derived one; later slots move down and the source indices that remain follow them.
    // Returns how many examples went.
    int Delete(int index);
    // Empties the table (lastExample = -1) and releases what every used slot owns.
    void Clear();
    // For readers that fill slots themselves.
    void SetLastExample(std::int16_t last) { lastExample_ = last; }

private:
    std::unique_ptr<std::array<ExampleRecord, kExampleSlots>> slots_;
    std::unique_ptr<std::array<std::string, kExampleSlots>> names_;
    std::int16_t lastExample_ = -1;
};

} // namespace korvane
