// Opening the files the game and the simulator read: regular files only, so that a FIFO, a
// device or a directory named by mistake (or on purpose) is refused at once instead of
// blocking, reading without end or reading as nothing.
#pragma once
#include <stdio.h>
#include <stddef.h>

// Opens `chemin` for reading ("rb") without ever blocking on the open itself. Returns the
// file, or NULL with the reason in `raison` ("No such file or directory", "not a regular file
// (a FIFO)", ...). *taille gets the file's size when not NULL.
FILE* ouvrir_fichier_regulier(const char* chemin, long long* taille, char* raison, size_t taille_raison);

// 1 when the two paths name one file: the same device and inode where both exist, the same
// path as written otherwise.
int meme_fichier(const char* a, const char* b);
