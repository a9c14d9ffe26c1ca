#pragma once
#include <QHeaderView>

// The row headings of a grid over a recordset: selectors without text (the model gives the rows
// no heading), every one as wide as the first. Qt's header would measure a hundred at each end
// again after every change of the rows to find its width.
class IntestazioneRighe : public QHeaderView {
    Q_OBJECT
public:
    explicit IntestazioneRighe(QWidget* parent = nullptr);
    QSize sizeHint() const override;
};
