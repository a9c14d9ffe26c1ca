#pragma once
#include "platform/db/recordset.h"
#include "platform/ui/modello_voci.h"
#include <QComboBox>
#include <functional>

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
    // Chooses the row with that key; Null or 0 clears the choice, and so does a key the rows
    // do not list, unless the combo keeps such keys (below).
    void impostaValoreLegato(const QVariant& chiave);
    // From now on a stored key the rows do not list (a deleted row, a parent of another kind)
    // is shown as an extra entry and kept, so writing the combo back never loses it. `sql`
    // describes it: one bound value (the key), the text in its first column and, when there
    // is one, the soft-delete flag in its second; without it, or when no row has the key,
    // the entry shows the bare key.
    void conservaChiaviMancanti(const QString& sql = {});
    void svuotaScelta();
    // Empties the list and the choice; `riempitore` fills it (through riempi) only when it is
    // first needed: its drop-down opened or a key typed in it. Meanwhile a chosen key shows as
    // a kept entry (conservaChiaviMancanti), and it stays chosen once the list is filled.
    void riempiQuandoServe(std::function<void()> riempitore);
    void showPopup() override;
    // A short list asks for the width of its longest entry (its window may give it less); a
    // long one for that of a typical entry.
    QSize sizeHint() const override;

    // Lists longer than this are not measured entry by entry, for their size or their popup.
    static constexpr int vociMisurate = 1000;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void initStyleOption(QStyleOptionComboBox* opzione) const override;

private:
    QString descrizioneMancante(const QVariant& chiave) const;
    void riempiSeInAttesa();
    ModelloVoci* voci;
    bool conserva = false;
    QString sqlMancante;
    std::function<void()> inAttesa;
    int larghezzaVoci = 0; // the longest entry of a short list
    bool elencoLungo = false; // while a long list opens
};
