// CLPA: a list of strings grown by a fixed step; each item holds a string's whole address.
#include "cards/clpa.hpp"

#include "cards/status_line.hpp"

#include <cstdlib>
#include <cstring>

namespace ct {

CLPA::~CLPA()
{
    freeAll();
    releaseArray();
}

int CLPA::addItem(std::uint64_t item)
{
    if (items_ == nullptr && count_ == 0 && capacity_ == 0) {
        count_ = 1;
        capacity_ = 1;
        items_ = static_cast<std::uint64_t*>(std::malloc(sizeof(std::uint64_t) * static_cast<std::size_t>(step_ + 1)));
        if (items_ == nullptr) {
            count_ = 0;
            capacity_ = 0;
            alertBox("CLPA: alloc error!");
            return 0;
        }
        capacity_ += step_;
    } else {
        ++count_;
        if (count_ > capacity_) {
            auto* grown = static_cast<std::uint64_t*>(
                std::realloc(items_, sizeof(std::uint64_t) * static_cast<std::size_t>(count_ + step_)));
            if (grown == nullptr) {
                // The old array and its items stay as they were.
                --count_;
                alertBox("CLPA: realloc error!");
                return 0;
            }
            items_ = grown;
            capacity_ = count_ + step_;
        }
    }
    items_[count_ - 1] = item;
    return 1;
}

int CLPA::addString(const char* text)
{
    if (text == nullptr)
        return 0;
    const std::size_t length = std::strlen(text);
    auto* copy = static_cast<char*>(std::malloc(length + 1));
    if (copy == nullptr)
        return 0;
    std::memcpy(copy, text, length + 1);
    if (!addItem(reinterpret_cast<std::uintptr_t>(copy))) {
        std::free(copy);
        return 0;
    }
    if (static_cast<int>(length) > longest_)
        longest_ = static_cast<int>(length);
    return 1;
}

void CLPA::freeAll()
{
    for (int i = 0; i < count_; ++i)
        if (items_[i] != 0)
            std::free(reinterpret_cast<void*>(static_cast<std::uintptr_t>(items_[i])));
    std::free(items_);
    items_ = nullptr;
    count_ = 0;
    capacity_ = 0;
    longest_ = 0;
}

void CLPA::releaseArray()
{
    std::free(items_);
    items_ = nullptr;
    count_ = 0;
    capacity_ = 0;
}

const char* CLPA::at(int index) const
{
    if (index < 0 || index >= count_)
        return nullptr;
    return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(items_[index]));
}

} // namespace ct
