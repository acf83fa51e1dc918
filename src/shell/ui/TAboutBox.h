#pragma once

#include "shell/AboutBoxAnimation.h"

#include <QDialog>
#include <QPixmap>
#include <QTimer>

class QLabel;
class QPushButton;

namespace zendrova {

class AppState;

// The about box: the program icon, product name and version. Opened from the
// menu it is modal and grows its icon; as the splash window it says "Welcome"
// and has neither OK button nor animation.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    enum class Use { About, Splash };

    TAboutBox(const AppState &state, Use use, QWidget *parent = nullptr);

    // Shows the splash window modeless and paints it before start-up goes on.
    void showAsSplash();
    QSize shownIconSize() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void growIcon();
    void showIconAt(QSize size);

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QPushButton *OKButton;
    QPixmap m_picture;
    AboutBoxAnimation m_animation;
    QTimer m_timer;
    Use m_use;
};

} // namespace zendrova
