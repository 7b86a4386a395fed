// The encodings shared by the design, configuration and macro files, on the writing side:
// numbers, words ("@" when empty), counted strings, line strings and text blocks.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace zeph {

class DesignTextWriter {
  public:
    // Collects the whole text (text(), take()), or with a file writes it on in pieces as they
    // fill up, so that a large design is written without holding its whole text.
    DesignTextWriter() = default;
    explicit DesignTextWriter(std::FILE* file) : file_(file) {}

    void raw(std::string_view text) {
        out_.append(text);
        spill();
    }
    void format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Length, one blank, then the characters (at most `limit` of them).
    void counted(std::string_view text, std::size_t limit);
    // The text on one line, cut to 256 characters; "@" when empty.
    void line_string(std::string_view text);
    // Every line of the text on its own file line, cut to 256 characters; an empty or blank
    // line is written "@". Nothing for an empty text.
    void text_block(std::string_view text);

    const std::string& text() const { return out_; }
    std::string take() { return std::move(out_); }
    // Writes what is left to the file; false when a write to it failed.
    bool finish();

  private:
    static constexpr std::size_t kPiece = 1 << 16;
    void spill() {
        if (file_ != nullptr && out_.size() >= kPiece) write_out();
    }
    void write_out();

    std::string out_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

inline std::string_view bounded_view(std::string_view text, std::size_t limit) {
    return text.size() > limit ? text.substr(0, limit) : text;
}

// Flag words are written as the signed numbers the reader scans.
inline int flag_word(unsigned flags) {
    return static_cast<int>(flags);
}

// The written form of a word: the word itself, or "@" when it is empty.
inline const char* word_text(const std::string& word) {
    return word.empty() ? "@" : word.c_str();
}

// A name that may hold blanks (port names are counted strings) in the form of a word, as
// the placements name their ports: blanks become "_", and a name that reads as empty is "@".
std::string name_word(std::string_view name);

} // namespace zeph
