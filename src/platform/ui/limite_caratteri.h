#pragma once
class QLineEdit;

// The box refuses typed or pasted characters beyond `massimo`, as a length limit does, but a
// longer text set from a stored row is shown and kept whole (QLineEdit::setMaxLength would
// cut it). An edit may shorten such a text; it never makes it longer.
void limitaCaratteri(QLineEdit* campo, int massimo);
