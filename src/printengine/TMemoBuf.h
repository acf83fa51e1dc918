#pragma once
#include <QString>

namespace zendrova::print {

// Memo text waiting to be printed: the text, a read position, and the
// horizontal band (units) into which its lines wrap. The engine advances the
// read position past whatever it prints, so a memo cut by a page break
// resumes where it stopped.
class TMemoBuf
{
public:
    virtual ~TMemoBuf() = default;
    void SetText(const QString &text);
    const QString &Text() const { return m_text; }
    int Size() const { return int(m_text.size()); }
    int Pos() const { return m_pos; }
    // Clamped to 0..Size().
    void SetPos(int pos);
    bool Empty() const { return m_pos >= m_text.size(); }

    double PrintStart = 0.0;
    double PrintEnd = 0.0;

private:
    QString m_text;
    int m_pos = 0;
};

// A memo buffer filled from a memo field's whole content (LoadMemoField).
class TDBMemoBuf : public TMemoBuf
{
};

} // namespace zendrova::print
