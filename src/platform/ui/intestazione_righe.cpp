#include "platform/ui/intestazione_righe.h"

IntestazioneRighe::IntestazioneRighe(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

QSize IntestazioneRighe::sizeHint() const
{
    return count() > 0 ? sectionSizeFromContents(0) : QSize(0, 0);
}
