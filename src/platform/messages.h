#pragma once
// Message boxes: a message with OK, and the one question with OK and Cancel.

#include <QString>

class Messages {
  public:
    virtual ~Messages() = default;
    virtual void info(const QString &text) = 0;
    // True when the user chose OK.
    virtual bool confirm(const QString &text) = 0;
};

class DialogMessages final : public Messages {
  public:
    void info(const QString &text) override;
    bool confirm(const QString &text) override;
};
