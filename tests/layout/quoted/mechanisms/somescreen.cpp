// Binds an entry by its quoted name: the check must refuse it.
QLineEdit* pitch = entry("Pitch");
