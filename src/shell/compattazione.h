#pragma once

// "Compatta Archivio": closes the shared connection, compacts the database in place and
// opens the connection again.
void mnuCompatta_Click();

// The compaction proper; a failure is thrown to the caller.
void compattaArchivio();
