#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <vector>

#include "link/port/port_survey.h"
#include "model/language.h"

class QComboBox;

namespace talvo {

// The communication-port list: items 0..15 are the numbers 1..16 (their text stays the bare
// number); the dropped-open list shows beside each number the device it reaches and what it
// is, and marks the numbers that reach nothing. After a separator, the last item refreshes.
inline constexpr int kPortRefreshItem = 17;

// Adds the numbers, the separator and the Refresh item, and the drawing of the dropped-open
// list. Called once.
void SetUpPortList(QComboBox* list);
// Writes the words of the list's own entries (Refresh) in `lang`: at start and on every
// language switch, so that no entry is ever without a name.
void LabelPortList(QComboBox* list, Language lang);
// Writes what each number reaches now into the list, in `lang`.
void ShowPortSurvey(QComboBox* list, const std::vector<link::PortEntry>& ports, Language lang);

// Typing digits in the dropped-open list picks the number typed: "1" picks 1, "1" then "2"
// within the keyboard interval picks 12. (The list's own search would move past the current
// entry and land on 10.)
class NumberTypeAhead : public QObject {
    Q_OBJECT
  public:
    explicit NumberTypeAhead(QComboBox* list);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox* list_;
    QString typed_;
    QElapsedTimer since_;
};

}  // namespace talvo
