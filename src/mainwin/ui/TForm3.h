#pragma once

#include "mainwin/MainWindowModel.h"

#include <QMainWindow>

namespace zendrova {

class AppState;
class RecordStore;

// The main window. In this form it opens the current database, shows its
// name in the caption and keeps its placement between runs; the record list,
// letter column and card come with their parts.
class TForm3 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kDefaultCardPageWidth = 300;

    // Creates the store's tables and opens the current database; when that
    // fails the window closes itself once the event loop runs.
    TForm3(AppState &state, RecordStore &store, QWidget *parent = nullptr);
    ~TForm3() override;

    bool databaseOpened() const { return m_opened; }
    int cardPageWidth() const { return m_cardPageWidth; }
    WindowPlacement placement() const;

signals:
    // While the window is being destroyed, after it wrote its files.
    void destroying();

private:
    void placeAtStart();
    void applyPlacement(const WindowPlacement &placement);

    MainWindowModel m_model;
    bool m_opened = false;
    int m_cardPageWidth = kDefaultCardPageWidth;
};

} // namespace zendrova
