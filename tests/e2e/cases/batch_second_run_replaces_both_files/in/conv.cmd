old batch
