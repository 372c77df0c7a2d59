#pragma once
// File > New's wizard in the program's window tests: finished on its first page with the
// United Kingdom's databases ticked.

class wxDialog;

// Fails the test, and cancels the wizard, when the wizard does not end.
void FinishNewExamination(wxDialog& wizard);
