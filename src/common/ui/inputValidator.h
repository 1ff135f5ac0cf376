#pragma once
#include <QValidator>

namespace pos {

// Refuses the characters that typed input may not contain (search boxes, the
// entry field, new passwords); optionally types Latin letters in upper case.
class RefusedCharacters : public QValidator {
  public:
    explicit RefusedCharacters(QObject* parent, bool upperCase = false);
    State validate(QString& input, int& pos) const override;

  private:
    bool upperCase_;
};

}  // namespace pos
