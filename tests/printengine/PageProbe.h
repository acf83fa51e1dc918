#pragma once
// Reading back what the engine put on a page, and running small jobs into memory.
#include "printengine/TReportFiler.h"

#include <QList>
#include <QString>
#include <functional>
#include <gtest/gtest.h>

namespace zendrova::test {

template <typename Op> QList<Op> opsOf(const print::Page &page)
{
    QList<Op> found;
    for (const print::PageOp &op : page.ops)
        if (const Op *typed = std::get_if<Op>(&op))
            found.append(*typed);
    return found;
}

inline QStringList textsOf(const print::Page &page)
{
    QStringList texts;
    for (const print::PageText &text : opsOf<print::PageText>(page))
        texts.append(text.text);
    return texts;
}

// The first text op with exactly this text; fails the test when there is none.
inline print::PageText textNamed(const print::Page &page, const QString &text)
{
    for (const print::PageText &op : opsOf<print::PageText>(page))
        if (op.text == text)
            return op;
    ADD_FAILURE() << "no text \"" << text.toStdString() << "\" on page " << page.number;
    return {};
}

// A filer into memory on Letter paper, whatever printer the machine has.
struct MemoryFiler : print::TReportFiler
{
    MemoryFiler()
    {
        StreamMode = print::smMemory;
        SetPaperInches(QSizeF(8.5, 11.0));
        ChooseFont(QStringLiteral("DejaVu Sans"), 10);
    }
    // Runs body as the job's OnPrint and returns the pages.
    QList<print::Page> produce(const std::function<void()> &body)
    {
        OnPrint = body;
        EXPECT_TRUE(RunJob());
        return Stream().pages;
    }
};

constexpr double kTolerance = 1e-6;

} // namespace zendrova::test
