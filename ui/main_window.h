#pragma once
// The MainWindow and its controls, created in the order of start-up.

// Window 0, invisible, centred, titled with the window title, with the tiled background.
void OpenMainWindow();
// The SearchBox, then the SearchButton, PauseButton, VolumeBar and DownloadButton.
void CreateSearchAndButtonControls();
// The ResultsFrame with the ResultsList inside: two columns (330 and 50) and the title row.
void CreateResultsList();
// The 86 SpectrumColumns, controls 100 to 185, showing the SpectrumCanvas.
void CreateSpectrumColumns();
