#include "exchange/ui/ExchangeCommands.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "common/ui/TPercent.h"
#include "common/ui/TPercentDlg.h"
#include "exchange/DbfExchange.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ExportRun.h"
#include "exchange/TextExport.h"
#include "exchange/TextImport.h"
#include "exchange/ui/TExpImpDlg.h"
#include "exchange/ui/TImportSourceDlg.h"
#include "exchange/ui/TSelectFileDlg.h"
#include "store/RecordStore.h"

#include <QFile>
#include <QLabel>
#include <QWidget>

#include <memory>

namespace zendrova {

namespace {

void keepPainting()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The progress window of an export: a new caption and total for each part.
ExchangeProgress exportProgress(std::unique_ptr<TPercentDlg> &window, QWidget *owner)
{
    ExchangeProgress progress;
    progress.start = [&window, owner](const QString &caption, int total) {
        if (!window)
            window = std::make_unique<TPercentDlg>(owner);
        window->setWindowTitle(caption);
        window->setTotal(total);
        window->SetPosition(0);
        keepPainting();
    };
    progress.position = [&window](int done) {
        if (window)
            window->SetPosition(done);
        keepPainting();
    };
    progress.finish = [&window] { window.reset(); };
    return progress;
}

} // namespace

QString ExchangeCommands::textFilter()
{
    return tr("Text files (*.TXT)");
}

QString ExchangeCommands::exportPrompt()
{
    return tr("Enter/Select Export File Name");
}

QString ExchangeCommands::importPrompt()
{
    return tr("Enter/Select Import File Name");
}

ExchangeCommands::ExchangeCommands(Window window)
    : m_window(std::move(window))
{ }

void ExchangeCommands::exportRecords()
{
    const auto kind = TImportSourceDlg::ask(true, m_window.widget);
    if (kind == TImportSourceDlg::TextFile)
        exportText();
    else if (kind == TImportSourceDlg::DbfFile)
        exportTable();
}

void ExchangeCommands::importRecords()
{
    const auto kind = TImportSourceDlg::ask(false, m_window.widget);
    if (kind == TImportSourceDlg::TextFile)
        importText();
    else if (kind == TImportSourceDlg::DbfFile)
        importTable();
}

std::optional<ExchangeSettings> ExchangeCommands::askOptions(
    bool exporting, const ExchangeSettings *preset)
{
    TExpImpDlg dialog(
        exporting, m_window.state.captions.captions(), m_window.store.fields(), m_window.widget);
    if (preset)
        dialog.preset(*preset);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

void ExchangeCommands::disabledWhile(const std::function<void()> &work)
{
    QWidget *window = m_window.widget;
    if (window)
        window->setEnabled(false);
    struct Enable
    {
        QWidget *window;
        ~Enable()
        {
            if (window) {
                window->setEnabled(true);
                window->activateWindow();
            }
        }
    } enable { window };
    work();
}

void ExchangeCommands::exportText()
{
    const std::optional<ExchangeSettings> settings = askOptions(true, nullptr);
    if (!settings)
        return;
    const QString fileName = Interaction::current().saveFileName(
        exportPrompt(), m_window.state.userFolder, textFilter());
    if (fileName.isEmpty() || !settings->usable())
        return;
    StoreTable &records = m_window.store.recordTable();
    ViewWalk walk(records, m_window.letters);
    const TextExport writer(*settings, records.fieldModel(), m_window.codec);
    WaitCursor hourglass;
    std::unique_ptr<TPercentDlg> window;
    exportTextFile(fileName, walk, writer,
        settings->namesInFirstLine ? &m_window.state.captions.captions() : nullptr,
        exportProgress(window, m_window.widget));
}

void ExchangeCommands::exportTable()
{
    const DbfExchange exchange(m_window.state.userFolder, m_window.state.installFolder);
    const QString name = TSelectFileDlg::ask(exportPrompt(), exchange.folder(), m_window.widget);
    if (name.isEmpty())
        return;
    disabledWhile([&] {
        ViewWalk walk(m_window.store.recordTable(), m_window.letters);
        WaitCursor hourglass;
        std::unique_ptr<TPercentDlg> window;
        exchange.exportTo(name, walk, exportProgress(window, m_window.widget));
    });
}

void ExchangeCommands::importText()
{
    std::optional<ExchangeSettings> settings = askOptions(false, nullptr);
    if (!settings)
        return;
    const QString fileName = Interaction::current().openFileName(
        importPrompt(), m_window.state.userFolder, textFilter());
    // With names in the first line the fields come from the file.
    if (fileName.isEmpty() || settings->separator == 0
        || (settings->positions.empty() && !settings->namesInFirstLine))
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(MessageKind::Error, ExchangeTexts::cannotRead(fileName));
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    StoreTable &records = m_window.store.recordTable();
    TextImport import(records, m_window.codec, m_window.state.captions.captions());
    if (settings->namesInFirstLine) {
        // The names decide the fields; the user sees them before anything is stored.
        const auto named = import.namedPositions(bytes, *settings);
        if (!named)
            return;
        settings->positions = *named;
        settings = askOptions(false, &*settings);
        if (!settings || !settings->usable())
            return;
    }
    m_window.whileCardReleased([&] {
        disabledWhile([&] {
            WaitCursor hourglass;
            TPercentDlg window(m_window.widget);
            window.setWindowTitle(ExchangeTexts::importing());
            window.Percent1()->hide();
            auto *counter = new QLabel(ExchangeTexts::recordCounter(0).chopped(1), &window);
            counter->setObjectName(QStringLiteral("RecordCounter"));
            counter->move(10, 30);
            counter->resize(300, counter->sizeHint().height());
            counter->show();
            keepPainting();
            import.run(bytes, *settings, [counter](int stored) {
                counter->setText(ExchangeTexts::recordCounter(stored));
            keepPainting();
        });
    });
});
}

void ExchangeCommands::importTable()
{
    const DbfExchange exchange(m_window.state.userFolder, m_window.state.installFolder);
    const QString name = TSelectFileDlg::ask(importPrompt(), exchange.folder(), m_window.widget);
    if (name.isEmpty())
        return;
    m_window.whileCardReleased([&] {
        disabledWhile([&] {
            WaitCursor hourglass;
            std::unique_ptr<TPercentDlg> window;
            ExchangeProgress progress;
            progress.start = [&](const QString &caption, int total) {
                window = std::make_unique<TPercentDlg>(m_window.widget);
                window->setWindowTitle(caption);
                window->setTotal(total);
            };
            progress.position = [&](int done) {
                if (window)
                    window->SetPosition(done);
                keepPainting();
            };
            progress.finish = [&] { window.reset(); };
            exchange.importFrom(name, m_window.store.recordTable(), progress);
        });
    });
}

} // namespace zendrova
