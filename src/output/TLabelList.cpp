#include "output/TLabelList.h"

#include "common/FileLookup.h"
#include "common/WholeFile.h"
#include "output/LabelFile.h"

#include <QDir>

namespace zendrova {

namespace {
// Far above any real list of templates; refuses a stray huge file.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
} // namespace

QString TLabelList::path(const QString &userFolder)
{
    return QDir(userFolder).filePath(kFileName);
}

bool TLabelList::read(const QString &userFolder)
{
    m_error.clear();
    // A user who never saved a template has no file yet: that is an empty list.
    if (findFileCaseInsensitive(userFolder, kFileName).isEmpty()) {
        m_items.clear();
        return true;
    }
    const auto bytes = readFileIn(userFolder, kFileName, kMaxFileBytes);
    if (!bytes) {
        m_error = tr("Cannot open file %1").arg(QDir::toNativeSeparators(path(userFolder)));
        return false;
    }
    const auto labels = LabelFile::decode(*bytes);
    if (!labels) {
        m_error = tr("Stream read error");
        return false;
    }
    m_items.clear();
    for (const TLabelRec &label : *labels)
        append(label);
    return true;
}

bool TLabelList::write(const QString &userFolder)
{
    m_error.clear();
    QList<TLabelRec> labels;
    for (const auto &item : m_items)
        labels.append(*item);
    if (!writeFileIn(userFolder, kFileName, LabelFile::encode(labels))) {
        m_error = tr("Cannot create file %1").arg(QDir::toNativeSeparators(path(userFolder)));
        return false;
    }
    return true;
}

void TLabelList::append(const TLabelRec &label)
{
    m_items.push_back(std::make_unique<TLabelRec>(label));
}

void TLabelList::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    m_items.erase(m_items.begin() + index);
}

int TLabelList::find(const QString &name) const
{
    for (int i = 0; i < count(); ++i)
        if (at(i).Name == name)
            return i;
    return kNotFound;
}

} // namespace zendrova
