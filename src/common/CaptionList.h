#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

// The captions of the 21 user fields in field-number order, kept in
// "labels.dat" of the user folder.
class CaptionList
{
    Q_DECLARE_TR_FUNCTIONS(CaptionList)

public:
    static constexpr int kCount = 21;
    static inline const QString kFileName = QStringLiteral("labels.dat");

    static const QStringList &builtInCaptions();

    // A missing, empty or unreadable file leaves the list empty. A file with
    // fewer lines gets the built-in captions for the rest, so every field
    // number always has a caption; lines beyond the 21st are dropped.
    bool load(const QString &userFolder);
    // Rewrites the file; on failure tells the user and keeps the list as it is.
    bool save(const QString &userFolder) const;
    void fillDefaultsIfEmpty();

    bool isEmpty() const { return m_captions.isEmpty(); }
    const QStringList &captions() const { return m_captions; }
    // fieldNumber is 1..21; empty for any other number or an empty list.
    QString caption(int fieldNumber) const;
    void setCaption(int fieldNumber, const QString &caption);
    void setCaptions(const QStringList &captions);
    // The field number whose caption this is, or 0.
    int fieldNumberOf(const QString &caption) const;

private:
    QStringList m_captions;
};

} // namespace zendrova
