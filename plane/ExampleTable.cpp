#include "plane/ExampleTable.h"

#include <vector>

#include "plane/DocumentText.h"

namespace korvane {

ExampleTable::ExampleTable()
    : slots_(std::make_unique<std::array<ExampleRecord, kExampleSlots>>()),
      names_(std::make_unique<std::array<std::string, kExampleSlots>>()) {}

void ExampleTable::SetName(int index, std::string_view name) {
    (*names_)[static_cast<std::size_t>(index)] = FitToField(name, kExampleNameLength);
}

int ExampleTable::Append(std::int16_t kind, std::int16_t colour) {
    if (Full())
        return -1;
    ++lastExample_;
    (*this)[lastExample_].Initialise(kind, colour);
    (*names_)[static_cast<std::size_t>(lastExample_)].clear();
    return lastExample_;
}

void ExampleTable::ReleaseLast() {
    if (lastExample_ < 0)
        return;
    (*this)[lastExample_].ReleaseOwned();
    (*names_)[static_cast<std::size_t>(lastExample_)].clear();
    --lastExample_;
}

int ExampleTable::Delete(int index) {
    if (index < 0 || index > lastExample_)
        return 0;
    const int count = Count();
    std::vector<bool> gone(static_cast<std::size_t>(count), false);
    gone[static_cast<std::size_t>(index)] = true;
    // Derived examples come after their sources, but a loaded file need not keep that
    // order: repeat until nothing more is marked.
    for (bool more = true; more;) {
        more = false;
        for (int i = 0; i < count; ++i) {
            const ExampleRecord& e = (*this)[i];
            if (gone[static_cast<std::size_t>(i)] || !e.IsDerived())
                continue;
            for (int offset : {exo::kSource1, exo::kSource2}) {
                const int source = e.I16(offset);
                if (source >= 0 && source < count && gone[static_cast<std::size_t>(source)]) {
                    gone[static_cast<std::size_t>(i)] = true;
                    more = true;
                    break;
                }
            }
        }
    }
    std::vector<int> newIndex(static_cast<std::size_t>(count), -1);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (gone[static_cast<std::size_t>(i)]) {
            (*this)[i].ReleaseOwned();
            continue;
        }
        newIndex[static_cast<std::size_t>(i)] = kept;
        if (kept != i) {
            (*this)[kept] = std::move((*this)[i]);
            (*names_)[static_cast<std::size_t>(kept)] = std::move((*names_)[static_cast<std::size_t>(i)]);
        }
        ++kept;
    }
    for (int i = 0; i < kept; ++i) {
        ExampleRecord& e = (*this)[i];
        if (!e.IsDerived())
            continue;
        for (int offset : {exo::kSource1, exo::kSource2}) {
            const int source = e.I16(offset);
            if (source >= 0 && source < count)
                e.SetI16(offset, static_cast<std::int16_t>(newIndex[static_cast<std::size_t>(source)]));
        }
    }
    for (int i = kept; i < count; ++i) {
        (*this)[i].ReleaseOwned();
        (*names_)[static_cast<std::size_t>(i)].clear();
    }
    lastExample_ = static_cast<std::int16_t>(kept - 1);
    return count - kept;
}

void ExampleTable::Clear() {
    for (int i = 0; i <= lastExample_; ++i) {
        (*this)[i].ReleaseOwned();
        (*names_)[static_cast<std::size_t>(i)].clear();
    }
    lastExample_ = -1;
}

} // namespace korvane
