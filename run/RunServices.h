#pragma once

// Hands the catalogue window the report run: F9, double-click and "Start"
// open the run window of the chosen report.
void InstallRunServices();
