// The artwork library carries only Qt resources; this file gives it a translation unit.
