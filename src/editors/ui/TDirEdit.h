#pragma once

#include "editors/ui/TBtnEdit.h"

namespace zendrova {

// A folder path with a folder browser behind its button, in which the user
// may also type a folder that does not exist yet (it is created when the user
// agrees). The edit cannot be left while the path is not an existing folder
// ("Invalid directory!").
class TDirEdit : public TBtnEdit
{
    Q_OBJECT
    Q_PROPERTY(bool UpperCase READ UpperCase WRITE setUpperCase)
public:
    explicit TDirEdit(QWidget *parent = nullptr);

    // Paths are shown in upper case where the file system ignores case, so a
    // path typed on a case-sensitive system still names its folder.
    bool UpperCase() const { return m_upperCase; }
    void setUpperCase(bool on);

protected:
    void ButtonClick() override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void applyCase();

    bool m_upperCase;
};

} // namespace zendrova
