#pragma once
// Combo boxes named by their labels for assistive tools. On Linux Qt names a combo box
// by the entry it shows and leaves the label to a relation, so a screen reader's
// "find by name" and AT-SPI scripts never meet "Photo Page Layout", only "1 x 1".

class QAccessibleInterface;
class QObject;
class QString;
class QToolBar;

// Installs the combo box interface once for the whole program; safe to call often.
void installAccessibleLabels();

// The factory itself, for tests that ask for one combo box's interface.
QAccessibleInterface* labelledComboFactory(const QString& className, QObject* object);

// Names the button a tool bar shows for the commands that do not fit ("»"), which Qt
// leaves without a name.
void nameToolBarOverflow(QToolBar* toolBar);
