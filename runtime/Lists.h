#pragma once

// What a list does with a key or string that it already holds.
enum TDuplicates {
    dupIgnore = 0, // the new one is dropped silently
    dupAccept = 1, // both are kept, the new one after the old
    dupError = 2,  // the addition is refused with a list error
};

// Raises the list index error for Index: EListError "Listenindex überschreitet das Maximum (%d)".
[[noreturn]] void ListIndexError(int index);
