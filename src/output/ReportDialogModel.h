#pragma once

#include "common/FontRecord.h"
#include "output/ReportSetup.h"
#include "store/FieldModel.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zendrova {

class TReportRec;

// The state and rules of the report layout dialog. It works on copies held
// in its "controls" and writes them back into the current definition on
// request; the dialog's widgets only show these values and forward clicks.
class ReportDialogModel
{
    Q_DECLARE_TR_FUNCTIONS(ReportDialogModel)

public:
    struct Included
    {
        QString caption;
        // Hundredths of the current unit.
        int width = 0;
    };

    // kinds: the field kind of each caption's field, in caption order.
    ReportDialogModel(QStringList captions, std::vector<FieldKind> kinds, TReportRec &current,
                      bool oneRecord);

    QString caption() const;

    // Filling from and writing into the current definition.
    void fillFromDefinition();
    void writeToDefinition() const;
    // The column list as the included list gives it.
    std::vector<ReportColumn> columnsFromIncluded() const;

    // Field lists.
    const QStringList &allFields() const { return m_captions; }
    const std::vector<Included> &included() const { return m_included; }
    int allSelected() const { return m_allSelected; }
    int includedSelected() const { return m_includedSelected; }
    void selectAll(int row);
    void selectIncluded(int row);
    void include();
    void includeAll();
    void exclude();
    void excludeAll();
    void moveUp();
    void moveDown();

    // The width box: its text, whether it can be typed in.
    QString widthText() const { return m_widthText; }
    bool widthEnabled() const { return !rowsLayout(); }
    // Typing in the width box; returns the text the box is left with.
    QString typeWidth(const QString &text);

    // Radio groups, as item index.
    int labels = 0;
    int grid = 0;
    int totals = 0;
    int orientation = 0;
    int titleOption = 0;
    int pageNumbers = TReportRec::NumbersAtBottom;
    int layout() const { return m_layout; }
    int units() const { return m_units; }
    int paperSize() const { return m_paperSize; }
    bool rowsLayout() const { return m_layout == 1; }
    bool gridEnabled() const { return !rowsLayout(); }
    bool totalsVisible() const { return m_totalsVisible; }
    void setLayout(int layout);
    void setTotals(int totals);
    void setUnits(int units);
    void setPaperSize(int size);
    bool pageSizeEditable() const { return m_paperSize == TReportRec::Custom; }

    // Boxes, as typed.
    QString marginLeft, marginRight, marginTop, marginBottom;
    QString pageWidth, pageHeight;
    QString title;

    FontRecord font;
    std::int32_t fontColor = 0;
    static QString styleText(std::uint8_t style);

    struct ButtonStates
    {
        bool include, includeAll, exclude, excludeAll, print, preview, save, moveUp, moveDown;
    };
    ButtonStates buttons() const;

    // The margin checks before a run: the warning to show, or nothing.
    std::optional<QString> marginProblem() const;
    // The settings of a run (lengths in inches); the current definition's
    // column list is rebuilt from the included list first.
    ReportSetup runSetup(ReportSetup::Destination destination);

    static QString marginsWideText();
    static QString marginsTallText();

private:
    int defaultWidth(int captionIndex) const;
    double unitFactor() const { return m_units == TReportRec::Centimetres ? 2.54 : 1.0; }
    void layoutChanged(bool fromLayout);
    void showSelectedWidth();

    QStringList m_captions;
    std::vector<FieldKind> m_kinds;
    TReportRec &m_current;
    bool m_oneRecord;
    bool m_filling = false;
    bool m_totalsVisible = false;

    std::vector<Included> m_included;
    int m_allSelected = -1;
    int m_includedSelected = -1;
    int m_layout = 0;
    int m_units = 0;
    int m_paperSize = 0;
    QString m_widthText;
};

} // namespace zendrova
