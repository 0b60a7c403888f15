#pragma once

namespace catalogue {

class NewJournal;

// Wires the key, change and click handlers of the title window's date, ISSN
// and number fields, each by the rule of its field.
void wireEntryFields(NewJournal& w);

}  // namespace catalogue
