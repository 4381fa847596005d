#pragma once

#include <QDialog>
#include <QString>

#include "exchange/channel_import.h"
#include "model/language.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace talvo {

// The preview of a channel CSV import: how the rows are placed (by Location, or into the free
// channels from a chosen channel), then every row with its fate, the channel it goes to, the
// channel it replaces and why it was adjusted or refused. Import accepts the dialog with
// plan() as the import to store; Cancel changes nothing. Texts in the language given.
class CsvImportDialog : public QDialog {
    Q_OBJECT
  public:
    CsvImportDialog(ChannelTable table, const ChannelStores& target, const BandState& band,
                    Language lang, const QString& fileName, QWidget* parent = nullptr);

    const ImportPlan& plan() const { return plan_; }
    QTableWidget* rowsTable() const { return rows_; }
    QPushButton* importButton() const { return import_; }
    QRadioButton* byLocationButton() const { return byLocation_; }
    QRadioButton* intoFreeButton() const { return intoFree_; }
    QSpinBox* firstChannelBox() const { return firstChannel_; }
    QLabel* summaryLabel() const { return summary_; }

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void replan();
    void retranslate();
    void fillRows();
    // The details column takes the width the other columns leave; rows as high as their text.
    void fitDetails();

    ChannelTable table_;
    const ChannelStores& target_;
    BandState band_;
    Language lang_;
    QString fileName_;
    ImportPlan plan_;
    QRadioButton* byLocation_ = nullptr;
    QRadioButton* intoFree_ = nullptr;
    QSpinBox* firstChannel_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* placementLabel_ = nullptr;
};

}  // namespace talvo
