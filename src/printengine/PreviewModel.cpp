#include "printengine/PreviewModel.h"

#include <QLocale>
#include <algorithm>

namespace zendrova::print {

void PreviewModel::setStream(PageStream stream)
{
    m_stream = std::move(stream);
    m_index = m_stream.pages.isEmpty() ? -1 : 0;
}

const Page *PreviewModel::currentPage() const
{
    return m_index >= 0 ? &m_stream.pages.at(m_index) : nullptr;
}

int PreviewModel::pageNumber() const
{
    return m_index >= 0 ? m_stream.pages.at(m_index).number : 0;
}

bool PreviewModel::showIndex(int index)
{
    if (index < 0 || index >= pageCount() || index == m_index)
        return false;
    m_index = index;
    return true;
}

bool PreviewModel::showPageNumber(int number)
{
    for (int i = 0; i < pageCount(); ++i)
        if (m_stream.pages.at(i).number == number)
            return showIndex(i);
    return false;
}

bool PreviewModel::nextPage()
{
    return showIndex(m_index + 1);
}

bool PreviewModel::previousPage()
{
    return showIndex(m_index - 1);
}

bool PreviewModel::setZoom(double percent)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (qFuzzyCompare(percent, ZoomFactor))
        return false;
    ZoomFactor = percent;
    return true;
}

QSizeF PreviewModel::pageInches() const
{
    const Page *page = currentPage();
    return page ? QSizeF(page->width, page->height) : QSizeF(8.5, 11.0);
}

bool PreviewModel::zoomToWidth(double viewportWidth, double dpi)
{
    const double usable = viewportWidth / (1.0 + 2.0 * MarginPercent / 100.0);
    return setZoom(100.0 * usable / (pageInches().width() * dpi));
}

bool PreviewModel::zoomToPage(const QSizeF &viewport, double dpi)
{
    const double frame = 1.0 + 2.0 * MarginPercent / 100.0;
    const QSizeF page = pageInches() * dpi;
    const double zoom = std::min(
        viewport.width() / frame / page.width(), viewport.height() / frame / page.height());
    return setZoom(100.0 * zoom);
}

QString PreviewModel::pageLabel() const
{
    const int first = m_stream.pages.isEmpty() ? 1 : m_stream.pages.first().number;
    const int shown = m_index >= 0 ? pageNumber() - first + 1 : 0;
    return tr("Page %1 of %2").arg(shown).arg(pageCount());
}

QString PreviewModel::zoomText() const
{
    return QLocale().toString(ZoomFactor, 'f', 1);
}

bool PreviewModel::acceptZoomText(const QString &text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || value <= 0)
        return false;
    return setZoom(value);
}

bool PreviewModel::acceptPageText(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value == pageNumber())
        return false;
    return showPageNumber(value);
}

} // namespace zendrova::print
