// CLPA: a growable list of strings (the game-type names of one program).
#pragma once

#include <cstdint>
#include <string>

namespace ct {

class CLPA {
public:
    CLPA() = default;
    ~CLPA();
    CLPA(const CLPA&) = delete;
    CLPA& operator=(const CLPA&) = delete;

    // 1 on success, 0 when the array cannot grow (after an alert box).
    // An item is a whole pointer-sized word here: a string's address is never cut to 32 bits.
    int addItem(std::uint64_t item);
    // Copies text and adds it; 0 when text is null or the copy cannot be made or added.
    int addString(const char* text);
    void freeAll();        // frees the strings and the array
    void releaseArray();   // frees only the array

    int count() const { return count_; }
    int capacity() const { return capacity_; }
    int growthStep() const { return step_; }
    int longest() const { return longest_; }
    // Item i's string, or null for an empty item or an index out of range.
    const char* at(int index) const;

private:
    std::uint64_t* items_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
    int step_ = 0;
    int unused_ = 0;
    int longest_ = 0;
};

} // namespace ct
