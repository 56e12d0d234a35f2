// The batch front end lives here.
