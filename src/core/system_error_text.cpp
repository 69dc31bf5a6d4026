// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/system_error_text.h"

#include <cerrno>

namespace tovimar {

std::string frenchErrorCause(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return "le disque est plein";
    case EDQUOT:
        return "le quota de disque de l'utilisateur est atteint";
    case EFBIG:
        return "la taille permise pour un fichier est dépassée";
    case EROFS:
        return "le disque est en lecture seule";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case ENOENT:
        return "le dossier n'existe pas";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case EISDIR:
        return "un dossier porte le nom du fichier";
    case EIO:
        return "erreur de lecture ou d'écriture sur le disque";
    case EBADF:
        return "la sortie est fermée";
    case EPIPE:
        return "la sortie a été fermée par le programme qui la lisait";
    case ENAMETOOLONG:
        return "le nom du fichier est trop long";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers sont ouverts";
    case EBUSY:
    case ETXTBSY:
        return "le fichier est occupé par un autre programme";
    case ELOOP:
        return "le chemin contient trop de liens symboliques";
    case EINTR:
        return "l'opération a été interrompue";
    default:
        return "erreur système n° " + std::to_string(errorNumber);
    }
}

} // namespace tovimar
