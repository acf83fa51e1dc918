#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace zendrova::test {

// Acts on modal dialogs as they open, one step per dialog in order: each
// step waits for the active modal window of its name and then runs.
class DialogScript
{
public:
    using Act = std::function<void(QWidget &dialog)>;

    DialogScript &then(const QString &objectName, Act act)
    {
        m_steps.push_back({ objectName, std::move(act) });
        return *this;
    }
    void start() { poll(); }
    bool finished() const { return m_steps.empty(); }

private:
    struct Step
    {
        QString name;
        Act act;
    };

    void poll()
    {
        QTimer::singleShot(5, [this] {
            if (m_steps.empty())
                return;
            QWidget *dialog = QApplication::activeModalWidget();
            if (dialog && dialog->objectName() == m_steps.front().name) {
                const Step step = m_steps.front();
                m_steps.pop_front();
                poll();
                step.act(*dialog);
                return;
            }
            poll();
        });
    }

    std::deque<Step> m_steps;
};

} // namespace zendrova::test
