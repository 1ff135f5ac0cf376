#pragma once
// Guards for user input that is pasted into statements: quotes and other
// special ASCII characters become their full-width or typographic look-alikes.
// The full guard serves search boxes, codes and the login password; the light
// one keeps ( ) + - / for member registration and the password change.
#include <string>
#include <string_view>

namespace pos {

std::string safeText(std::string_view text);
std::string safeTextLight(std::string_view text);

// Characters that search boxes, the entry field and new passwords refuse while
// typing: ! % & ' , = ? @ [ \ ] ^ and the double quote.
bool isRefusedInputCharacter(char c);

// The text without blanks at either end (the trimming of typed input).
std::string trimBlanks(std::string_view text);

// A stored flag as a boolean: false for empty, "0" and "False" (exact, case-sensitive).
bool isTrue(std::string_view text);

}  // namespace pos
