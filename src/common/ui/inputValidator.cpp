#include "common/ui/inputValidator.h"

#include "common/textGuards.h"

namespace pos {

RefusedCharacters::RefusedCharacters(QObject* parent, bool upperCase)
    : QValidator(parent), upperCase_(upperCase) {}

QValidator::State RefusedCharacters::validate(QString& input, int&) const {
    for (QChar c : input)
        if (c.unicode() < 128 && isRefusedInputCharacter(static_cast<char>(c.unicode())))
            return Invalid;
    if (upperCase_)
        for (QChar& c : input)
            if (c >= 'a' && c <= 'z') c = c.toUpper();
    return Acceptable;
}

}  // namespace pos
