// The calculation trace: lines of text, one per step, built from pieces
// (texts, characters, integers, numbers) in one buffer kept between checks.
#pragma once

#include <charconv>
#include <compare>
#include <concepts>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "core/MyUtils.h"

namespace orv {

// A number of a trace line, formatted as FormatValue(decimals, value) only
// when the line is built.
struct TTraceValue {
    int decimals;
    double value;
};
inline TTraceValue Val(int decimals, double value) { return {decimals, value}; }

// FormatValue appended to `out`.
void AppendValue(std::string& out, int decimals, double value);
// The longest FormatValue: a fixed number below 1e15, else a mantissa of at
// most 6 decimals with its exponent.
constexpr std::size_t ValueMaxChars = FixedMaxCharsBelow1e15;
// FormatValue of a value that is no number or of 1e15 or more, written at `p`.
char* WriteValueRest(char* p, int decimals, double value);
// FormatValue written at `p`, which has room for ValueMaxChars; returns its end.
inline char* WriteValue(char* p, int decimals, double value)
{
    if (std::fabs(value) < 1e15) return WriteFixed(p, p + ValueMaxChars, decimals, value).ptr; // false for NaN
    return WriteValueRest(p, decimals, value);
}

// The pieces of a trace line: each knows the most characters it writes and
// writes itself at a pointer.
template <std::size_t N>
struct TTraceLiteral { // a string literal: its length known without counting
    const char* text;
    static constexpr std::size_t maxChars() { return N - 1; }
    char* write(char* p) const
    {
        std::memcpy(p, text, N - 1);
        return p + (N - 1);
    }
};
struct TTraceText {
    std::string_view text;
    std::size_t maxChars() const { return text.size(); }
    char* write(char* p) const
    {
        if (!text.empty()) std::memcpy(p, text.data(), text.size());
        return p + text.size();
    }
};
struct TTraceChar {
    char c;
    static constexpr std::size_t maxChars() { return 1; }
    char* write(char* p) const
    {
        *p = c;
        return p + 1;
    }
};
template <std::integral T>
struct TTraceInteger {
    T n;
    static constexpr std::size_t maxChars() { return 24; }
    char* write(char* p) const { return std::to_chars(p, p + maxChars(), n).ptr; }
};
struct TTraceNumber {
    TTraceValue v;
    static constexpr std::size_t maxChars() { return ValueMaxChars; }
    char* write(char* p) const { return WriteValue(p, v.decimals, v.value); }
};

template <std::size_t N>
TTraceLiteral<N> TracePiece(const char (&literal)[N]) { return {literal}; }
inline TTraceText TracePiece(std::string_view text) { return {text}; }
inline TTraceChar TracePiece(char c) { return {c}; }
inline TTraceNumber TracePiece(TTraceValue v) { return {v}; }
template <std::integral T>
TTraceInteger<T> TracePiece(T n) { return {n}; }

// Lines of the calculation trace (UTF-8), one per step, held end to end in
// one buffer that is kept between checks, so that recalculating an element
// writes its trace without allocating and with no per-line string. A trace
// that no one reads (setRead(false)) stays empty and its lines are never
// formatted. Lines are read as string views, valid until the next change.
// A case writes every line through add() or push_back() and never asks
// whether the trace is read: an unread trace drops the line itself.
class TTraceLines {
public:
    using value_type = std::string_view;
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const TTraceLines* lines, std::size_t i) : lines_(lines), i_(i) {}
        std::string_view operator*() const { return (*lines_)[i_]; }
        std::string_view operator[](difference_type n) const { return (*lines_)[i_ + static_cast<std::size_t>(n)]; }
        const_iterator& operator++()
        {
            ++i_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++i_;
            return old;
        }
        const_iterator& operator--()
        {
            --i_;
            return *this;
        }
        const_iterator& operator+=(difference_type n)
        {
            i_ += static_cast<std::size_t>(n);
            return *this;
        }
        const_iterator& operator-=(difference_type n)
        {
            i_ -= static_cast<std::size_t>(n);
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b)
        {
            return static_cast<difference_type>(a.i_) - static_cast<difference_type>(b.i_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.i_ == b.i_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.i_ <=> b.i_; }

    private:
        const TTraceLines* lines_ = nullptr;
        std::size_t i_ = 0;
    };
    using iterator = const_iterator;

    TTraceLines() = default;
    TTraceLines(std::initializer_list<std::string_view> lines)
    {
        for (std::string_view line : lines) push_back(line);
    }
    template <typename It>
    TTraceLines(It first, It last)
    {
        for (; first != last; ++first) push_back(std::string_view(*first));
    }
    TTraceLines(const TTraceLines& other) : read_(other.read_) { append(other); }
    TTraceLines& operator=(const TTraceLines& other)
    {
        if (this != &other) {
            clear();
            read_ = other.read_;
            append(other);
        }
        return *this;
    }
    // A moved-from trace is empty and keeps whether it is read.
    TTraceLines(TTraceLines&& other) noexcept { take(other); }
    TTraceLines& operator=(TTraceLines&& other) noexcept
    {
        if (this != &other) take(other);
        return *this;
    }

    // Whether anyone reads the lines (true unless set otherwise); an unread
    // trace takes no lines and is left empty.
    bool isRead() const { return read_; }
    void setRead(bool read)
    {
        read_ = read;
        if (!read) clear();
    }

    void clear()
    {
        used_ = 0;
        count_ = 0;
    }
    // An empty line at the end.
    void emplace_back()
    {
        if (!read_) return;
        reserveTail(0);
        ends_[count_++] = used_;
    }
    // A line of the pieces (texts, characters, integers, Val numbers), built
    // in place only when the trace is read.
    template <typename... Parts>
    void add(const Parts&... parts)
    {
        if (read_) build(TracePiece(parts)...);
    }
    void push_back(std::string_view line)
    {
        if (read_) build(TTraceText{line});
    }
    void push_back(const std::string& line) { push_back(std::string_view(line)); }
    void push_back(const char* line) { push_back(std::string_view(line)); }

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::string_view operator[](std::size_t i) const
    {
        const std::size_t first = i == 0 ? 0 : ends_[i - 1];
        return {text_.get() + first, ends_[i] - first};
    }
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[count_ - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, count_}; }

    friend bool operator==(const TTraceLines& a, const TTraceLines& b)
    {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i]) return false;
        return true;
    }

private:
    // Room for `n` more characters and one more line; the buffers grow by
    // half again at least.
    char* reserveTail(std::size_t n)
    {
        if (capacity_ - used_ < n || count_ == endsCapacity_) grow(n);
        return text_.get() + used_;
    }
    void grow(std::size_t n);
    void take(TTraceLines& other) noexcept
    {
        text_ = std::move(other.text_);
        ends_ = std::move(other.ends_);
        used_ = std::exchange(other.used_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        count_ = std::exchange(other.count_, 0);
        endsCapacity_ = std::exchange(other.endsCapacity_, 0);
        read_ = other.read_;
    }
    void append(const TTraceLines& other)
    {
        for (std::string_view line : other) push_back(line);
    }
    // The line written in place at the end of the buffer, with room for the
    // longest its pieces can write.
    template <typename... Pieces>
    void build(const Pieces&... pieces)
    {
        char* const first = reserveTail((pieces.maxChars() + ... + 0));
        char* p = first;
        ((p = pieces.write(p)), ...);
        used_ += static_cast<std::size_t>(p - first);
        ends_[count_++] = used_;
    }

    std::unique_ptr<char[]> text_;
    std::size_t used_ = 0;
    std::size_t capacity_ = 0;
    std::unique_ptr<std::size_t[]> ends_; // end of each line in text_
    std::size_t count_ = 0;
    std::size_t endsCapacity_ = 0;
    bool read_ = true;
};

} // namespace orv
