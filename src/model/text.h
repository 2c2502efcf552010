#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace voltaro {

// One text of the program's own, as a table of texts holds it: the English, and the context
// that the translation tools file it under (the table's subsystem).
struct Phrase {
    const char* context;
    const char* english;
};

// A phrase written in a table of texts. The translation tools read it as QT_TRANSLATE_NOOP
// (lupdate -tr-function-alias), so that every phrase in the code is offered for translation.
// clang-format off
#define VOLTARO_TEXT(context, english) ::voltaro::Phrase{context, english}
// clang-format on

// A text the user sees: a phrase whose placeholders %1 .. %9 are filled with arguments, each a
// text of its own or a value shown as it is (a path, a typed token, a number, a file's line).
// The window translates every phrase before it fills the arguments in; files, the tools and the
// tests read the English.
class Text {
public:
    // Turns a phrase into the words to show: its translation, or its English.
    using Translator = std::function<std::string(const Phrase&)>;

    Text() = default; // no text at all
    Text(const Phrase& phrase) : m_phrase(phrase) {}
    // A value shown as it is, in every language.
    static Text verbatim(std::string value);

    // Fills the next placeholder: %1 with the first argument, %2 with the second, and so on.
    Text& arg(Text value) &;
    Text arg(Text value) &&;
    Text& arg(std::string value) & { return arg(verbatim(std::move(value))); }
    Text arg(std::string value) && { return std::move(*this).arg(verbatim(std::move(value))); }
    // A count or a number, in decimal digits.
    Text& arg(int value) & { return arg(std::to_string(value)); }
    Text arg(int value) && { return std::move(*this).arg(std::to_string(value)); }

    std::string render(const Translator& translate) const;
    std::string english() const;

    friend bool operator==(const Text& a, const Text& b);
    friend bool operator!=(const Text& a, const Text& b) { return !(a == b); }

private:
    // The value and the arguments, shared between copies: most texts have neither, and a copy
    // of a text (the menus and widgets are copied with every state kept) costs no allocation.
    struct Filling {
        std::string value;
        std::vector<Text> args;
    };
    const std::string& value() const;
    const std::vector<Text>& args() const;

    Phrase m_phrase{nullptr, nullptr};  // none for a value shown as it is
    std::shared_ptr<Filling> m_filling; // changed in place only while no copy shares it
};

// The pattern with each %N (N from 1 to 9) replaced by the Nth value, in one pass, so that a
// value holding "%1" stays as it is; a placeholder without a value stays too.
std::string fillPlaceholders(const std::string& pattern, const std::vector<std::string>& values);

} // namespace voltaro
