// The town program: the Qt program entry runs appMain.
