#pragma once
// The lines of one payslip, kept inside the payslip: there are never more
// than a fixed number of rows, and taking room for them on the heap for
// every payslip cost as much as computing a fifth of it. Only the rows in use
// are built; the rest is raw room.
#include <cstddef>
#include <new>
#include <utility>

namespace haberes {

template <typename Line, std::size_t Capacity>
class InlineLines {
public:
    // Not defaulted: a value-initialised container would clear its room.
    InlineLines() {}
    InlineLines(const InlineLines& other) { copyFrom(other); }
    InlineLines& operator=(const InlineLines& other)
    {
        if (this != &other) {
            clear();
            copyFrom(other);
        }
        return *this;
    }
    InlineLines(InlineLines&& other) noexcept { moveFrom(other); }
    InlineLines& operator=(InlineLines&& other) noexcept
    {
        if (this != &other) {
            clear();
            moveFrom(other);
        }
        return *this;
    }
    ~InlineLines() { clear(); }

    static constexpr std::size_t capacity() { return Capacity; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    Line* begin() { return data(); }
    Line* end() { return data() + size_; }
    const Line* begin() const { return data(); }
    const Line* end() const { return data() + size_; }
    Line& operator[](std::size_t i) { return data()[i]; }
    const Line& operator[](std::size_t i) const { return data()[i]; }
    Line& back() { return data()[size_ - 1]; }
    const Line& back() const { return data()[size_ - 1]; }

    // The caller keeps to the capacity (the payslip refuses a row past it).
    // Without arguments the line is default-initialised, not cleared first:
    // the caller sets what it uses.
    template <typename... Args>
    Line& emplace_back(Args&&... args)
    {
        void* room = static_cast<void*>(data() + size_);
        Line* line;
        if constexpr (sizeof...(Args) == 0)
            line = ::new (room) Line;
        else
            line = ::new (room) Line(std::forward<Args>(args)...);
        ++size_;
        return *line;
    }

    void clear()
    {
        for (std::size_t i = 0; i < size_; ++i)
            data()[i].~Line();
        size_ = 0;
    }

private:
    Line* data() { return std::launder(reinterpret_cast<Line*>(room_)); }
    const Line* data() const { return std::launder(reinterpret_cast<const Line*>(room_)); }
    void copyFrom(const InlineLines& other)
    {
        for (const Line& line : other)
            emplace_back(line);
    }
    void moveFrom(InlineLines& other)
    {
        for (Line& line : other)
            emplace_back(std::move(line));
        other.clear();
    }

    alignas(Line) unsigned char room_[sizeof(Line) * Capacity];
    std::size_t size_ = 0;
};

} // namespace haberes
