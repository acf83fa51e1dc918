#pragma once

#include <QAbstractButton>
#include <QColor>

namespace zendrova {

// A custom-drawn button with its own colours, drawn in the selection colours
// while selected. Only one button of a parent is selected at a time. Serves
// as a letter tab.
class TColorButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor TextColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor BgndColor READ bgndColor WRITE setBgndColor)
    Q_PROPERTY(QColor SelTextColor READ selTextColor WRITE setSelTextColor)
    Q_PROPERTY(QColor SelBgndColor READ selBgndColor WRITE setSelBgndColor)
    Q_PROPERTY(bool IsDefault READ isDefault WRITE setIsDefault)
    Q_PROPERTY(bool StayDown READ stayDown WRITE setStayDown)
    Q_PROPERTY(bool Selected READ isSelected WRITE setSelected)

public:
    // The dotted focus frame needs more room than a small tab has.
    static constexpr int kMinFocusFrameHeight = 17;

    explicit TColorButton(QWidget *parent = nullptr);

    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color);
    QColor bgndColor() const { return m_bgndColor; }
    void setBgndColor(const QColor &color);
    QColor selTextColor() const { return m_selTextColor; }
    void setSelTextColor(const QColor &color);
    QColor selBgndColor() const { return m_selBgndColor; }
    void setSelBgndColor(const QColor &color);
    bool isDefault() const { return m_isDefault; }
    void setIsDefault(bool on);
    // A click leaves the button selected.
    bool stayDown() const { return m_stayDown; }
    void setStayDown(bool on) { m_stayDown = on; }
    bool isSelected() const { return m_selected; }
    // Selecting deselects the parent's other colour buttons.
    void setSelected(bool on);

    QSize sizeHint() const override;

    // Inside the 3D edge, where the text goes; one pixel down and right while pressed.
    QRect faceRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override { }
    // Draws the face inside the frame; the formatted row draws columns instead.
    virtual void drawFace(QPainter &painter, const QRect &face, const QColor &text);

private:
    QColor m_textColor = Qt::black;
    QColor m_bgndColor = QColor(192, 192, 192);
    QColor m_selTextColor = Qt::white;
    QColor m_selBgndColor = Qt::darkBlue;
    bool m_isDefault = false;
    bool m_stayDown = false;
    bool m_selected = false;
};

} // namespace zendrova
