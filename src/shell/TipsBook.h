#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class QRandomGenerator;

namespace zendrova {

// The tips of "hints.txt" and the paging through them. The file's first line
// is the number N of tips; tip k follows a line "[k]" up to the next line
// beginning with "[". The file is read again for every tip shown, so the
// tips window holds no more than the tip on show.
class TipsBook
{
    Q_DECLARE_TR_FUNCTIONS(TipsBook)

public:
    static inline const QString kFileName = QStringLiteral("hints.txt");

    static QString cannotOpenText();

    // Reads N; a first line that is not a number gives 0. A file that cannot
    // be opened is reported and gives 0.
    explicit TipsBook(QString path);

    int count() const { return m_count; }
    // The tip shown first: one of tips 1 to N-1 (tip N only comes by paging),
    // 1 when there is a single tip, 0 when there are none.
    static int startTip(int count, QRandomGenerator &random);

    // Shows tip k (N when k is larger). A tip missing from the file leaves the
    // text as it was; the number still moves to k.
    void show(int k);
    void previous() { show(m_current - 1); }
    void next() { show(m_current + 1); }

    int current() const { return m_current; }
    const QStringList &lines() const { return m_lines; }
    bool previousEnabled() const { return m_current > 1; }
    bool nextEnabled() const { return m_current < m_count; }

private:
    // The file's lines after the count line; nothing (reported) when it cannot be read.
    std::optional<QStringList> readBody() const;

    QString m_path;
    int m_count = 0;
    int m_current = 0;
    QStringList m_lines;
};

} // namespace zendrova
