#pragma once

class App;

// Adding a gearbox from the findings is a what-if that can be taken back.
namespace addedgearbox {

// Before the first gearbox is added: keeps the sizing record and what the
// preliminary findings, the motor selection and the findings show of it.
// A gearbox added over another keeps the copy of the first.
void keep(App& app);

// Removing the gearbox: puts the copy back and forgets it.
void undo(App& app);

} // namespace addedgearbox
