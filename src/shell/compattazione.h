#pragma once

// "Compatta Archivio": closes the shared connection, compacts corvext.db through the work
// file temp.db, and opens the connection again.
void mnuCompatta_Click();

// The compaction proper; a failure is thrown to the caller.
void compattaArchivio();
