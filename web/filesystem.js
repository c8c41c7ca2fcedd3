// The program's folders in the browser (run inside the WebAssembly module before main):
//   /Arbeitsordner       the working folder: the calculations saved or uploaded;
//   /Programm            the program's folder, with the sample LightDatabase.csv of the release;
//   /Dokumente           the user's Documents folder, and in it the planner's folder Lumetrix
//                        with the uploaded LightDatabase.csv and folder Leuchten, as on Windows
//                        Dokumente\Lumetrix, where no installation or update touches them.
// The working folder and the Documents folder are kept in the browser's IndexedDB for the
// next visit. File names are UTF-8 here, as the headless backend hands them to its host.
"use strict";

var kWorkingFolder = "/Arbeitsordner";
var kPlannerFolder = "/Dokumente/Lumetrix";

Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
    FS.mkdir("/Programm");
    FS.writeFile("/Programm/lumetrix", "");
    Module.programPath = "/Programm/lumetrix";
    if (Module.sampleDatabase) FS.writeFile("/Programm/LightDatabase.csv", Module.sampleDatabase);
    FS.mkdir("/Dokumente");
    FS.mount(IDBFS, {}, "/Dokumente");
    ENV.LUMETRIX_DOCUMENTS = "/Dokumente";
    FS.mkdir(kWorkingFolder);
    FS.mount(IDBFS, {}, kWorkingFolder);
    FS.chdir(kWorkingFolder);
    addRunDependency("lumetrix-stored-files");
    FS.syncfs(true, function () {
        moveEarlierUploads();
        removeRunDependency("lumetrix-stored-files");
    });
});

// Earlier versions of the page kept the uploaded LightDatabase.csv and Leuchten in the working
// folder, where the program's own sample no longer shows beside them: they move to the
// planner's folder, unless it has its own.
function moveEarlierUploads() {
    var moved = false;
    var move = function (from, to) {
        if (!FS.analyzePath(from).exists || FS.analyzePath(to).exists) return;
        if (!FS.analyzePath(kPlannerFolder).exists) FS.mkdir(kPlannerFolder);
        if (FS.isDir(FS.stat(from).mode)) {
            FS.mkdir(to);
            FS.readdir(from).forEach(function (name) {
                if (name !== "." && name !== "..") move(from + "/" + name, to + "/" + name);
            });
            FS.rmdir(from);
        } else {
            FS.writeFile(to, FS.readFile(from));
            FS.unlink(from);
        }
        moved = true;
    };
    move(kWorkingFolder + "/LightDatabase.csv", kPlannerFolder + "/LightDatabase.csv");
    move(kWorkingFolder + "/Leuchten", kPlannerFolder + "/Leuchten");
    if (moved) FS.syncfs(false, function () {});
}

Module.lumetrixFiles = {
    workingFolder: kWorkingFolder,
    plannerFolder: kPlannerFolder,
    // The entries of a folder (a path, or a name in the working folder), sorted by name, each
    // with whether it is a folder and when it was last written.
    entries: function (folder) {
        var path = Module.lumetrixFiles.pathOf(folder || "");
        try {
            return FS.readdir(path).filter(function (name) {
                return name !== "." && name !== "..";
            }).sort().map(function (name) {
                var status = FS.stat(path + "/" + name);
                return { name: name, folder: FS.isDir(status.mode), modified: status.mtime };
            });
        } catch (error) {
            return [];
        }
    },
    // The names of a folder's files.
    list: function (folder) {
        return Module.lumetrixFiles.entries(folder).filter(function (entry) {
            return !entry.folder;
        }).map(function (entry) {
            return entry.name;
        });
    },
    // A path as the program sees it: one not starting at the root is in the working folder.
    pathOf: function (name) {
        if (name.charAt(0) === "/") return name;
        return name ? kWorkingFolder + "/" + name : kWorkingFolder;
    },
    isFolder: function (name) {
        var found = FS.analyzePath(Module.lumetrixFiles.pathOf(name));
        return found.exists && FS.isDir(found.object.mode);
    },
    read: function (path) {
        return FS.readFile(path);
    },
    // Writes a file (its folders made as needed) and keeps it; `later` leaves keeping to the
    // caller.
    store: function (name, bytes, later) {
        var path = Module.lumetrixFiles.pathOf(name);
        var parts = path.split("/");
        var folder = "";
        for (var i = 1; i + 1 < parts.length; ++i) {
            folder += "/" + parts[i];
            if (!FS.analyzePath(folder).exists) FS.mkdir(folder);
        }
        FS.writeFile(path, bytes);
        return later ? Promise.resolve() : Module.lumetrixFiles.persist();
    },
    makeFolder: function (name) {
        var path = Module.lumetrixFiles.pathOf(name);
        if (!FS.analyzePath(path).exists) FS.mkdir(path);
        return Module.lumetrixFiles.persist();
    },
    // Removes a folder's files, and the folder itself with `andFolder` once it is empty.
    clearFolder: function (folder, andFolder) {
        var path = Module.lumetrixFiles.pathOf(folder);
        Module.lumetrixFiles.entries(path).forEach(function (entry) {
            if (!entry.folder) FS.unlink(path + "/" + entry.name);
        });
        if (andFolder && Module.lumetrixFiles.isFolder(path) &&
            Module.lumetrixFiles.entries(path).length === 0) {
            FS.rmdir(path);
        }
    },
    clearAll: function () {
        var files = Module.lumetrixFiles;
        files.clearFolder(kPlannerFolder + "/Leuchten", true);
        files.clearFolder(kPlannerFolder, true);
        files.entries("").forEach(function (entry) {
            if (entry.folder) {
                files.clearFolder(entry.name, true);
            } else {
                FS.unlink(kWorkingFolder + "/" + entry.name);
            }
        });
        return files.persist();
    },
    persist: function () {
        return new Promise(function (resolve) {
            FS.syncfs(false, function () {
                resolve();
            });
        });
    },
};
