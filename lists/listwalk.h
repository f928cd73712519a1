#pragma once

#include <QString>

#include <functional>

// Walks a folder tree breadth first, as the Open window and the plain-text conversion do:
// a folder is entered only when it is a plain one (a real directory, not a link, not hidden,
// not read-only), and every other entry whose name contains ".zva" is reported with the
// folder it lies in (ending in "/"). Folders that cannot be read are passed over.
void walkListFiles(const QString& startFolder,
                   const std::function<void(const QString& folder, const QString& name)>& found);
