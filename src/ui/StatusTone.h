#pragma once

// How a status reads at a glance: done, waiting on the user, or one step from done. Views tint
// its symbol and text by it.
enum class StatusTone { success, neutral, attention };
