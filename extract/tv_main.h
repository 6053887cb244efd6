#pragma once
// The wizard's start procedure and the procedures through which one page opens another.

// Sets the program's identity, shows the splash, starts the library and the help engine, then shows the
// help companion and the first page. Returns; the program lives on in the event loop.
void Main();

// Each loads its page afresh when it is not loaded, then shows it modeless and without owner.
void ShowTV1Mode();
void ShowTV2Mode();
void ShowTVSource();
void ShowTVMVLSel();
void ShowTVTarget();
// Shows the run page, repaints it and runs the extraction; returns when the run has ended.
void RunTVDoIt();

// The About box's fixed texts, pictures and web addresses; called by the box when it loads.
void FillAboutTexts();
