#pragma once

#include "mainwin/CardValues.h"

#include <QByteArray>
#include <QStringList>
#include <array>

namespace zendrova {

// The card's values without widgets: each control's text (dates as YYYYMMDD,
// numbers as typed) and the pictures' bytes. The controls' kinds are those of
// the card's field table.
class PlainCardValues : public CardValues
{
public:
    static constexpr int kCount = 21;

    void clearAll() override;
    void clear(int index) override;
    bool isEmpty() const override;
    void load(int index, const StoreTable &record, bool asTemplate) override;
    void write(int index, RecordEditor &record) const override;
    bool changed() const override { return m_changed; }

    // What a user does in control index (0-based).
    void setText(int index, const QString &text);
    void setPicture(int index, const QByteArray &bytes);
    QString text(int index) const { return m_texts.at(index); }
    QByteArray picture(int index) const { return m_pictures.at(index); }

private:
    std::array<QString, kCount> m_texts;
    std::array<QByteArray, kCount> m_pictures;
    bool m_changed = false;
};

} // namespace zendrova
