#pragma once
#include "platform/db/recordset.h"
#include <QComboBox>

// A lookup combo filled from a recordset: it shows one column and is bound to another
// (the key). The Delete key clears the choice.
class ComboDati : public QComboBox {
    Q_OBJECT
public:
    explicit ComboDati(QWidget* parent = nullptr);

    // Fills from the rows of rs (read from its first row); the choice is cleared.
    void riempi(Recordset rs, const QString& campoMostrato, const QString& campoLegato);
    // The key of the chosen row, or Null when nothing is chosen.
    QVariant valoreLegato() const;
    // Chooses the row with that key; a key not in the list (or Null) clears the choice.
    void impostaValoreLegato(const QVariant& chiave);
    void svuotaScelta();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
