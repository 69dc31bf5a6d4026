// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tovimar {

// Starts the program: the splash for 4000 ms (unless --sans-accueil), then
// the main window. Options: --dossier DIR (the program's folder, also
// TOVIMAR_DOSSIER), --quitter-apres-affichage (ends once the main window has
// been painted: for start-up measurements).
int runProgram(int argc, char** argv);

} // namespace tovimar
