#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

// The pages of the Options dialog and who may open them: everyone the first
// five, the Supervisor also Security and Users.
class OptionsPages
{
    Q_DECLARE_TR_FUNCTIONS(OptionsPages)

public:
    enum Page { UserInterface, Data, Date, Colors, Fonts, Security, Users };
    static constexpr int kCount = 7;

    static QStringList names();
    static QString supervisorOnlyText();

    explicit OptionsPages(bool supervisor);

    int current() const { return m_current; }
    bool mayOpen(int page) const;
    // Moves to the page; a page closed to this user is refused with the
    // warning and the current page stays. False when refused.
    bool choose(int page);
    void next();
    void previous();

    int lastPage() const { return m_supervisor ? Users : Fonts; }
    bool previousVisible() const { return m_current > 0; }
    bool nextVisible() const { return m_current < lastPage(); }

private:
    bool m_supervisor;
    int m_current = UserInterface;
};

} // namespace zendrova
