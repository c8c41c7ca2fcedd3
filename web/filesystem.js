// The program's folders in the browser (run inside the WebAssembly module before main):
//   /Arbeitsordner  the working folder: LightDatabase.csv, the folder Leuchten and the
//                   calculations saved or uploaded, kept in the browser's IndexedDB for the
//                   next visit;
//   /Programm       the program's folder, with the sample LightDatabase.csv of the release;
//   /Dokumente      the user's Documents folder, empty.
// File names are UTF-8 here, as the headless backend hands them to its host.
"use strict";

var kWorkingFolder = "/Arbeitsordner";

Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
    FS.mkdir("/Programm");
    FS.writeFile("/Programm/lumetrix", "");
    Module.programPath = "/Programm/lumetrix";
    if (Module.sampleDatabase) FS.writeFile("/Programm/LightDatabase.csv", Module.sampleDatabase);
    FS.mkdir("/Dokumente");
    ENV.LUMETRIX_DOCUMENTS = "/Dokumente";
    FS.mkdir(kWorkingFolder);
    FS.mount(IDBFS, {}, kWorkingFolder);
    FS.chdir(kWorkingFolder);
    addRunDependency("lumetrix-stored-files");
    FS.syncfs(true, function () {
        removeRunDependency("lumetrix-stored-files");
    });
});

Module.lumetrixFiles = {
    // The names in a folder of the working folder (the working folder itself without one).
    list: function (folder) {
        var path = folder ? kWorkingFolder + "/" + folder : kWorkingFolder;
        try {
            return FS.readdir(path).filter(function (name) {
                return name !== "." && name !== "..";
            }).sort();
        } catch (error) {
            return [];
        }
    },
    read: function (path) {
        return FS.readFile(path);
    },
    // Writes a file into the working folder and keeps it; `later` leaves keeping to the caller.
    store: function (name, bytes, later) {
        var parts = name.split("/");
        var folder = kWorkingFolder;
        for (var i = 0; i + 1 < parts.length; ++i) {
            folder += "/" + parts[i];
            if (!FS.analyzePath(folder).exists) FS.mkdir(folder);
        }
        FS.writeFile(kWorkingFolder + "/" + name, bytes);
        return later ? Promise.resolve() : Module.lumetrixFiles.persist();
    },
    clearFolder: function (folder) {
        var path = kWorkingFolder + "/" + folder;
        Module.lumetrixFiles.list(folder).forEach(function (name) {
            if (!FS.isDir(FS.stat(path + "/" + name).mode)) FS.unlink(path + "/" + name);
        });
    },
    clearAll: function () {
        Module.lumetrixFiles.clearFolder("Leuchten");
        Module.lumetrixFiles.list().forEach(function (name) {
            var path = kWorkingFolder + "/" + name;
            if (FS.isDir(FS.stat(path).mode)) {
                if (Module.lumetrixFiles.list(name).length === 0) FS.rmdir(path);
            } else {
                FS.unlink(path);
            }
        });
        return Module.lumetrixFiles.persist();
    },
    persist: function () {
        return new Promise(function (resolve) {
            FS.syncfs(false, function () {
                resolve();
            });
        });
    },
};
