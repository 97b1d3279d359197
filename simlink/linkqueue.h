#pragma once
// What the client remembers of the requests it queued, so that the far end's
// answer is checked against it and read results go only where they belong.
namespace simlink::detail {

// Forgets every queued request and destination.
void clearQueue();

} // namespace simlink::detail
