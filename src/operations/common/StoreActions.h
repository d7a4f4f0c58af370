// Loading and saving the condition store's working file as the window does
// it: with the busy pointer, and telling the user what happened.
#pragma once

class Form;

namespace StoreActions {

// Reads "G1de-ta\heatwork.csv"; bytes that are not code page 932 are read as
// "?" and the user is told which file held them.
void LoadStore(Form& f);

// The same at start-up, checking the file too: a damaged store (empty, cut
// short, garbled, σ, ε or h not a number) is named with its line, and 復元
// is offered. Yes keeps the damaged file beside it
// (heatwork.csv.damaged-<date>-<time>) and loads the factory store in its
// place; no loads it as it is.
void LoadStoreAtStartUp(Form& f);

// Writes "G1de-ta\heatwork.csv" and says "デ－タを保存しました"; asks first
// when another window has saved the file since this one read or wrote it.
void SaveStore(Form& f);

}  // namespace StoreActions
