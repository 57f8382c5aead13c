#pragma once

class IDialogPresenter;
class ProfileFileCommands;
class QWidget;
struct OpenLoad;

// Runs the loading stage of an open on a worker thread behind the modal progress dialog, which names
// the file and each stage and appears only when the load takes longer than a moment, with the wait
// cursor meanwhile: the window keeps painting, and nothing else can be started until the load is done.
// Its Cancel (or closing it) stops the load. The loaded profile (or the refusal) is left in load.
void RunOpenLoad(ProfileFileCommands& files, OpenLoad& load, QWidget* parent, IDialogPresenter& dialogs);
