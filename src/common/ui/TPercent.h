#pragma once

#include <QWidget>

namespace zendrova {

// A percentage bar in a sunken frame with the share ("n%") or a caption
// written centred across it.
class TPercent : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int PercentShaded READ PercentShaded WRITE setPercentShaded)
    Q_PROPERTY(bool IsHorizontal READ IsHorizontal)
    Q_PROPERTY(QColor PercentColor READ PercentColor WRITE setPercentColor)
    Q_PROPERTY(bool ShowPercent READ ShowPercent WRITE setShowPercent)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    explicit TPercent(QWidget *parent = nullptr);

    int PercentShaded() const { return m_percent; }
    // Clamped to 0..100; below 2 the frame is redrawn too, otherwise only the bar.
    void setPercentShaded(int percent);
    bool IsHorizontal() const { return width() >= height(); }
    QColor PercentColor() const { return m_color; }
    void setPercentColor(const QColor &colour);
    bool ShowPercent() const { return m_showPercent; }
    void setShowPercent(bool on);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // What is written on the bar.
    QString shownText() const;
    // Where the filled part ends: round(inner length x percent / 100) + 2.
    int splitPoint() const;

signals:
    void OnClick();
    void OnDblClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRect barRect() const;

    int m_percent = 0;
    QColor m_color = QColor(255, 0, 0);
    bool m_showPercent = true;
    QString m_caption;
};

} // namespace zendrova
